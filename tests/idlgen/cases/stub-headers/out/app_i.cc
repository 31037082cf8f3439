[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"app_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<app_iUtils>
[cc.clone.enum] return_type=<ret(NT_enum Deep)> arg_type=<in(NT_enum Deep)>
[cc.compare.enum] return_type=<ret(NT_enum Deep)> arg_type=<in(NT_enum Deep)>
[cc.clone.interface] interface_name=<Lib::Base> return_type=<ret(NT_interface Lib::Base)> arg_type=<in(NT_interface Lib::Base)>
[cc.compare.interface] interface_name=<Lib::Base> return_type=<ret(NT_interface Lib::Base)> arg_type=<in(NT_interface Lib::Base)>
[cc.clone.interface] interface_name=<App::Service> return_type=<ret(NT_interface App::Service)> arg_type=<in(NT_interface App::Service)>
[cc.compare.interface] interface_name=<App::Service> return_type=<ret(NT_interface App::Service)> arg_type=<in(NT_interface App::Service)>
[cc.declare.value] arg_type=<ret(long)> arg_name=<count>
[cc.class.begin] class_name=<Lib_Base_i>
[cc.class.members.begin] class_name=<Lib_Base_i>
[cc.class.member.begin] return_type=<> function_name=<Lib_Base_i> arglist=<> class_name=<Lib_Base_i>
[cc.class.member.body.begin] return_type=<> function_name=<Lib_Base_i> arglist=<> class_name=<Lib_Base_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<ping> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Lib_Base_i>
[cc.class.member.body.begin] return_type=<void> function_name=<ping> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Lib_Base_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.class.begin] class_name=<App_Service_i>
[cc.class.inherits.begin] class_name=<App_Service_i>
[cc.class.inherits] class_name=<Lib_Base_i>
[cc.class.members.begin] class_name=<Lib_Base_i>
[cc.class.member.begin] return_type=<> function_name=<App_Service_i> arglist=<> class_name=<App_Service_i>
[cc.class.member.body.begin] return_type=<> function_name=<App_Service_i> arglist=<> class_name=<App_Service_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(NT_enum Deep)> function_name=<get> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<App_Service_i>
[cc.class.member.body.begin] return_type=<ret(NT_enum Deep)> function_name=<get> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<App_Service_i>
[cc.class.member.other.stubout] return_type=<ret(NT_enum Deep)>
[cc.class.member.other.dummy_return] return_type=<ret(NT_enum Deep)>
[cc.class.member.end] return_type=<ret(NT_enum Deep)>
[cc.class.end]
[cc.main.begin] mainclass=<app_i>
[cc.main.stubout] mainclass=<app_i>
[cc.main.end] mainclass=<app_i>
[cc.class.end]
[cc.end]
