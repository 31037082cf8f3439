[hh.begin] header_check=<hTIMEhPIDhN_h> header_file=<"app_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<app_iUtils>
[hh.include.idl.imported] idl_basename=<deep>
[hh.include.idl.imported] idl_basename=<base>
[hh.include.idl] idl_basename=<app>
[hh.declare.value] arg_type=<ret(long)> arg_name=<count>
[hh.clone] return_type=<ret(NT_enum Deep)> arg_type=<in(NT_enum Deep)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_enum Deep)> arg_type=<in(NT_enum Deep)> interface_name=<INTERFACE_NAME> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface Lib::Base)> arg_type=<in(NT_interface Lib::Base)> interface_name=<Lib::Base> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface Lib::Base)> arg_type=<in(NT_interface Lib::Base)> interface_name=<Lib::Base> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.clone] return_type=<ret(NT_interface App::Service)> arg_type=<in(NT_interface App::Service)> interface_name=<App::Service> define_id=<DEFINE_ID> altdefid=<ALTDEFID>
[hh.compare] return_type=<ret(NT_interface App::Service)> arg_type=<in(NT_interface App::Service)> interface_name=<App::Service> define_id=<DEFINE_ID> altdefid=<ALTDEFID>

[hh.module.begin] module_name=<Lib_i>
[hh.class.begin] class_name=<Lib_Base_i>
[hh.class.members.begin] class_name=<Lib_Base_i>
[hh.class.constructor.begin] return_type=<> function_name=<Lib_Base_i> class_name=<Lib_Base_i>
[hh.class.member.end] class_name=<Lib_Base_i>
[hh.class.member.begin] return_type=<void> function_name=<ping> class_name=<Lib_Base_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<Lib_Base_i>
[hh.class.end] class_name=<Lib_Base_i>
[hh.module.end] module_name=<Lib_i>
[hh.module.begin] module_name=<App_i>
[hh.class.begin] class_name=<App_Service_i>
[hh.class.inherits.begin] class_name=<App_Service_i>
[hh.class.inherits] class_name=<Lib_Base_i>
[hh.class.members.begin] class_name=<Lib_Base_i>
[hh.class.constructor.begin] return_type=<> function_name=<App_Service_i> class_name=<App_Service_i>
[hh.class.member.end] class_name=<App_Service_i>
[hh.class.member.begin] return_type=<ret(NT_enum Deep)> function_name=<get> class_name=<App_Service_i>
[hh.arglist] arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
>
[hh.class.member.end] class_name=<App_Service_i>
[hh.class.end] class_name=<App_Service_i>
[hh.module.end] module_name=<App_i>
[hh.end] header_check=<hTIMEhPIDhN_h>
