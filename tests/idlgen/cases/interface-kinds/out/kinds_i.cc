[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"kinds_i.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<kinds_iUtils>
[cc.clone.interface] interface_name=<Named> return_type=<ret(NT_interface Named)> arg_type=<in(NT_interface Named)>
[cc.compare.interface] interface_name=<Named> return_type=<ret(NT_interface Named)> arg_type=<in(NT_interface Named)>
[cc.clone.interface] interface_name=<Account> return_type=<ret(NT_interface Account)> arg_type=<in(NT_interface Account)>
[cc.compare.interface] interface_name=<Account> return_type=<ret(NT_interface Account)> arg_type=<in(NT_interface Account)>
[cc.clone.interface] interface_name=<Cache> return_type=<ret(NT_interface Cache)> arg_type=<in(NT_interface Cache)>
[cc.compare.interface] interface_name=<Cache> return_type=<ret(NT_interface Cache)> arg_type=<in(NT_interface Cache)>
[cc.clone.struct.begin] return_type=<Cache::Entry> arg_type=<Cache::Entry>
[cc.clone.struct.field] field_name=<key> return_type=<ret(long)>
[cc.clone.struct.end] return_type=<ret(long)> arg_type=<Cache::Entry>
[cc.clone.struct.pointer.begin] return_type=<Cache::Entry> arg_type=<Cache::Entry>
[cc.clone.struct.pointer.field] field_name=<key> return_type=<ret(long)>
[cc.clone.struct.pointer.end] return_type=<ret(long)> arg_type=<Cache::Entry>
[cc.make.struct.begin] make_type=<Cache_Entry> return_type=<ret(NT_struct_fixed Cache::Entry)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.make.struct.field] field_name=<key> arg_name=<arg1>
[cc.make.struct.end] make_type=<Cache_Entry> return_type=<ret(NT_struct_fixed Cache::Entry)> arglist=<[cchh.argument] arg_type=<ret(long)> arg_name=<arg1>
>
[cc.compare.struct.begin] return_type=<Cache::Entry> arg_type=<Cache::Entry>
[cc.compare.struct.field] field_name=<key> return_type=<ret(long)>
[cc.compare.struct.end] return_type=<ret(long)> arg_type=<Cache::Entry>
[cc.class.begin] class_name=<Named_i>
[cc.class.members.begin] class_name=<Named_i>
[cc.class.member.begin] return_type=<> function_name=<Named_i> arglist=<> class_name=<Named_i>
[cc.class.member.body.begin] return_type=<> function_name=<Named_i> arglist=<> class_name=<Named_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<ret(NT_string local type)> function_name=<name> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Named_i>
[cc.class.member.body.begin] return_type=<ret(NT_string local type)> function_name=<name> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Named_i>
[cc.class.member.string.stubout] return_type=<ret(NT_string local type)>
[cc.class.member.string.dummy_return] return_type=<ret(NT_string local type)>
[cc.class.member.end] return_type=<ret(NT_string local type)>
[cc.class.end]
[cc.class.begin] class_name=<Account_i>
[cc.class.inherits.begin] class_name=<Account_i>
[cc.class.inherits] class_name=<Named_i>
[cc.class.members.begin] class_name=<Named_i>
[cc.class.member.begin] return_type=<> function_name=<Account_i> arglist=<> class_name=<Account_i>
[cc.class.member.body.begin] return_type=<> function_name=<Account_i> arglist=<> class_name=<Account_i>
[cc.class.constructor.stubout] return_type=<>
[cc.class.member.end] return_type=<>
[cc.class.member.begin] return_type=<void> function_name=<close> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Account_i>
[cc.class.member.body.begin] return_type=<void> function_name=<close> arglist=<[cchh.argument] arg_type=<env_t&> arg_name=<env>
> class_name=<Account_i>
[cc.class.member.void.stubout] return_type=<void>
[cc.class.member.void.dummy_return] return_type=<void>
[cc.class.member.end] return_type=<void>
[cc.class.end]
[cc.main.begin] mainclass=<kinds_i>
[cc.main.stubout] mainclass=<kinds_i>
[cc.main.end] mainclass=<kinds_i>
[cc.class.end]
[cc.end]
